// The main window: its controls, the members the commands share, the
// data-type modes, and the command handlers, each a thin layer over the core.
#pragma once

#include "app/linesmodel.h"
#include "app/seasonmodel.h"
#include "app/widgets.h"
#include "config/teamlookup.h"
#include "config/teamtable.h"
#include "season/seasonloader.h"

#include <QWidget>

#include <ostream>
#include <string>

class Prompts;
class TForm2;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeView;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `prompts` answers the message boxes and the open dialog; `about` is
    // the About window shown by "?" (may be null).
    explicit TForm1(Prompts& prompts, TForm2* about = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, under their component names.
    RadioGroup* RadioGroup2;
    QToolButton* SpeedButton1;
    QLabel* Label10;
    ClickableLabel* Label5;
    QSpinBox* CSpinEdit1;
    QLabel* Label4;
    QLineEdit* Edit2;
    QLabel* Label6;
    QLineEdit* MaskEdit1;
    QLabel* Label7;
    QLineEdit* MaskEdit2;
    QPushButton* Button3;
    RadioGroup* RadioGroup1;
    QLabel* Label11;
    QPushButton* Button1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* Button2;
    QLabel* Label1;
    QTreeView* ListView1;
    QLabel* Label3;
    QProgressBar* ProgressBar1;
    QLabel* Label8;
    QListView* ListBox3;
    QLabel* Label9;
    QLineEdit* Edit3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;

    // Members the commands share.
    std::string programDir;
    int savedLeft = 0;
    int reopenFlag = 0;
    int previousDataType = 0;
    int chosenDataType = 0;

    // The season game list, the loader with its per-line members and hidden
    // working lists, and the team table being edited.
    const SeasonModel& seasonModel() const { return *seasonModel_; }
    const rota::SeasonLoader& loader() const { return loader_; }
    const rota::TextLines& ListBox1() const { return loader_.lineBuffer(); }
    const std::vector<std::string>& ListBox2() const { return loader_.gameKeys(); }
    const rota::TeamTableEditor& teamTable() const { return teamTable_; }

    // The file that Open Season read last (the one "OK" reloads).
    const QString& openedFile() const { return openedFile_; }

    void setAbout(TForm2* about) { about_ = about; }

    // Where the batch run's complaints go (standard error unless set), as a
    // command interpreter's console would show them.
    void setBatchOutput(std::ostream& out) { batchOutput_ = &out; }

    // The "MM/DD" text of a masked edit, an empty digit place read as a blank.
    static std::string maskText(const QLineEdit* edit);

    // The configuration file: programDir + "rota.ini".
    std::string configPath() const;

public slots:
    void RadioGroup2Click();
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ListBox3Click(const QModelIndex& index);
    void Button4Click();
    void Button5Click();
    void Button6Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildControls();
    void buildPanel();
    void applyDataTypeMode(int dataType);
    void enableCompileForGameData();
    void openPanel();
    void closePanel();
    void setClientWidth(int width);
    void moveLeftTo(int left);

    Prompts& prompts_;
    TForm2* about_;
    SeasonModel* seasonModel_;
    rota::SeasonLoader loader_;
    rota::TeamTableEditor teamTable_;
    LinesModel* teamTableModel_;
    QString openedFile_;
    std::ostream* batchOutput_;
    bool commandRunning_ = false;
};
