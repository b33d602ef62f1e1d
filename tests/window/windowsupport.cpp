#include "tests/window/windowsupport.h"

#include "app/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>

WindowFixture::WindowFixture()
    : session(std::make_unique<rota::Session>(home.path())),
      window(std::make_unique<MainWindow>(*session, prompts, nullptr, &batchOutput))
{
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::chooseDataType(int index)
{
    control<RadioGroup>("RadioGroup2")->clickItem(index);
}

void WindowFixture::openSeason(const std::string& path)
{
    prompts.files.push_back(QString::fromLocal8Bit(path.c_str()));
    click("Button1");
}

void WindowFixture::click(const char* buttonName)
{
    control<QAbstractButton>(buttonName)->click();
}

QStringList WindowFixture::rows() const
{
    QStringList texts;
    const QAbstractItemModel* model = control<QAbstractItemView>("ListView1")->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << model->data(model->index(r, c)).toString();
        texts << cells.join(QLatin1Char('|'));
    }
    return texts;
}
