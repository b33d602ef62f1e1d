#include "tests/window/windowsupport.h"

#include <QDir>
#include <QPushButton>

WindowFixture::WindowFixture() : previousFolder_(QDir::currentPath())
{
    QDir::setCurrent(QString::fromLocal8Bit(home.path().c_str()));
    form = std::make_unique<TForm1>(prompts);
    form->setBatchOutput(batchOutput);
}

WindowFixture::~WindowFixture()
{
    form.reset();
    QDir::setCurrent(previousFolder_);
}

void WindowFixture::writeFile(const std::string& name, const std::string& bytes) const
{
    rota::test::writeFile(file(name), bytes);
}

std::string WindowFixture::readFile(const std::string& name) const
{
    return rota::test::readFile(file(name));
}

void WindowFixture::chooseDataType(int index)
{
    form->RadioGroup2->clickItem(index);
}

void WindowFixture::openSeason(const std::string& path)
{
    prompts.files.push_back(QString::fromLocal8Bit(path.c_str()));
    form->Button1Click();
}

std::string scheduleLine(const std::string& yyyymmdd, const std::string& vis, const std::string& home)
{
    return "\"" + yyyymmdd + "\",\"0\",\"Sun\",\"" + vis + "\",\"AL\",1,\"" + home + "\",\"AL\",1,\"d\",\"\",\"\"";
}

QStringList rowTexts(const TForm1& form)
{
    QStringList rows;
    const auto& model = form.seasonModel();
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << model.data(model.index(r, c), Qt::DisplayRole).toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}
