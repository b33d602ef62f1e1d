// The About window: name, version, build date, copyright and credits.
// Any click on it closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Places the window centred over `window`.
    void centreOver(const QWidget* window);

public slots:
    // Any click on the window closes it.
    void onClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPlainTextEdit* credits_;
};
