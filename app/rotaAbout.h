// The About window: name, version, build date, copyright and credits.
// Any click on it closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Places the window centred over `window`.
    void centreOver(const QWidget* window);

    // The credits, one string per line.
    static QStringList creditLines();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label3;
    QPlainTextEdit* Memo1;

public slots:
    void FormClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
