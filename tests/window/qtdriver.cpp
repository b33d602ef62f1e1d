// The window tests run against the Qt window, headless; and what only the
// Qt window has: the open dialog's patterns.
#include "tests/window/driver.h"

#include "app/qt/latin1.h"
#include "app/qt/mainwindow.h"
#include "app/qt/prompts.h"
#include "app/qt/widgets.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace rota::test {

namespace {

class QtWindowDriver : public WindowDriver {
public:
    QtWindowDriver(Session& session, form::Prompts& prompts, std::ostream& batchOutput)
        : window_(session, prompts, nullptr, &batchOutput)
    {
        window_.show();
    }

    void click(const char* name) override
    {
        if (auto* button = find<QAbstractButton>(name))
            button->click();
        else
            QTest::mouseClick(find<QWidget>(name), Qt::LeftButton);
    }
    void chooseItem(const char* radioGroup, int item) override { find<RadioGroup>(radioGroup)->clickItem(item); }
    void setText(const char* name, const std::string& text) override
    {
        if (auto* spin = find<QSpinBox>(name))
            spin->setValue(std::stoi(text));
        else
            find<QLineEdit>(name)->setText(fromLatin1(text));
    }
    void type(const char* name, const std::string& text) override
    {
        auto* box = find<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, fromLatin1(text));
    }
    void press(const char* name, Key key) override
    {
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Return, Qt::Key_Backspace};
        QTest::keyClick(find<QWidget>(name), keys[static_cast<int>(key)]);
    }
    void moveToTeamLine(int line) override
    {
        auto* list = find<QListView>(form::name::teamTable);
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        for (int i = 0; i < line; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    void editDate(int row, const std::string& date) override
    {
        auto* list = find<QTreeView>(form::name::seasonList);
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        list->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(list->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, fromLatin1(date));
        // What Enter does in the editor of a window that has the focus.
        emit list->itemDelegate()->commitData(editor);
        emit list->itemDelegate()->closeEditor(editor);
    }

    bool enabled(const char* name) const override { return find<QWidget>(name)->isEnabled(); }
    bool visible(const char* name) const override { return find<QWidget>(name)->isVisible(); }
    std::string text(const char* name) const override
    {
        if (auto* label = find<QLabel>(name))
            return toLatin1(label->text());
        return toLatin1(find<QLineEdit>(name)->displayText());
    }
    std::string title() const override { return toLatin1(window_.windowTitle()); }
    std::vector<std::string> rows() const override
    {
        const QAbstractItemModel* model = find<QTreeView>(form::name::seasonList)->model();
        std::vector<std::string> texts;
        for (int r = 0; r < model->rowCount(); ++r) {
            std::string text;
            for (int c = 0; c < model->columnCount(); ++c)
                text += (c ? "|" : "") + toLatin1(model->index(r, c).data().toString());
            texts.push_back(text);
        }
        return texts;
    }
    std::vector<int> selectedRows() const override
    {
        std::vector<int> selected;
        for (const QModelIndex& index : find<QTreeView>(form::name::seasonList)->selectionModel()->selectedRows())
            selected.push_back(index.row());
        return selected;
    }
    std::vector<std::string> teamLines() const override
    {
        const QAbstractItemModel* model = find<QListView>(form::name::teamTable)->model();
        std::vector<std::string> lines;
        for (int r = 0; r < model->rowCount(); ++r)
            lines.push_back(toLatin1(model->index(r, 0).data().toString()));
        return lines;
    }
    int clientWidth() const override { return window_.width(); }
    std::string accessibleName(const char* name) const override
    {
        QAccessible::setActive(true);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(find<QWidget>(name));
        return accessible ? toLatin1(accessible->text(QAccessible::Name)) : std::string();
    }

private:
    template <typename W>
    W* find(const char* name) const
    {
        return window_.findChild<W*>(QString::fromLatin1(name));
    }

    MainWindow window_;
};

} // namespace

std::unique_ptr<WindowDriver> makeWindowDriver(Session& session, form::Prompts& prompts, std::ostream& batchOutput)
{
    return std::make_unique<QtWindowDriver>(session, prompts, batchOutput);
}

namespace {

TEST(QtWindow, TheOpenDialogOffersTheFilesOfEachModeInAnyLetterCase)
{
    WindowFixture w;
    for (const char* file : {"GL1915.TXT", "gl1915.txt", "2024schedule.csv", "2020.Txt", "notes.doc"})
        writeFile(w.file(file), "");
    // The files of the folder a filter of the dialog lists.
    const auto listed = [&](int filter) {
        const QString patterns =
            fileDialogFilters(w.prompts.offeredKinds)[filter].section(QLatin1Char('('), 1).chopped(1);
        return QDir(QString::fromStdString(w.home.path()))
            .entryList(patterns.split(QLatin1Char(' ')), QDir::Files, QDir::Name)
            .join(QLatin1Char(' '))
            .toStdString();
    };
    w.window->click(form::name::selectYear); // in Game Data
    ASSERT_EQ(w.prompts.offeredKinds.size(), 2u);
    EXPECT_EQ(listed(0), "2020.Txt GL1915.TXT gl1915.txt");

    w.chooseDataType(DataType::ScheduleData);
    w.window->click(form::name::openSeason);
    EXPECT_EQ(listed(0), "2020.Txt 2024schedule.csv GL1915.TXT gl1915.txt");
    EXPECT_EQ(listed(1), "2020.Txt 2024schedule.csv GL1915.TXT gl1915.txt notes.doc");
}

} // namespace
} // namespace rota::test

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
