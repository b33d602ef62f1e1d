#include "tests/window/windowsupport.h"

#include "app/qt/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>

namespace name = rota::form::name;

WindowFixture::WindowFixture()
    : session(std::make_unique<rota::Session>(home.path())),
      window(std::make_unique<MainWindow>(*session, prompts, nullptr, &batchOutput))
{
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::chooseDataType(int index)
{
    control<RadioGroup>(name::dataType)->clickItem(index);
}

void WindowFixture::openSeason(const std::string& path)
{
    prompts.files.push_back(path);
    click(name::openSeason);
}

void WindowFixture::click(const char* buttonName)
{
    control<QAbstractButton>(buttonName)->click();
}

QStringList WindowFixture::rows() const
{
    QStringList texts;
    const QAbstractItemModel* model = control<QAbstractItemView>(name::seasonList)->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << model->data(model->index(r, c)).toString();
        texts << cells.join(QLatin1Char('|'));
    }
    return texts;
}
