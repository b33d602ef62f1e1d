// Small widgets that the windows are built from.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

// A captioned group of radio buttons in columns, with an item index.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    // The checked item's index, or -1 when none is checked.
    int itemIndex() const { return group_->checkedId(); }
    void setItemIndex(int index);

    // Clicks the button of item `index`, as a user would.
    void clickItem(int index);

signals:
    // A click on any of the items.
    void clicked();

private:
    QButtonGroup* group_;
};

// A label that reports clicks.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The windows' font: "MS Sans Serif" 11 pixels high, or the nearest
// sans-serif face this system has.
QFont windowFont();

// A sunken frame line drawn on a window.
QWidget* makeBevel(QWidget* parent, int left, int top, int width, int height);
