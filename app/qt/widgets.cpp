#include "app/qt/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QMouseEvent>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this] { emit clicked(); });
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = group_->button(index))
        button->setChecked(true);
}

void RadioGroup::clickItem(int index)
{
    if (QAbstractButton* button = group_->button(index))
        button->click();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QWidget* makeBevel(QWidget* parent, int left, int top, int width, int height)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(width >= height ? QFrame::HLine : QFrame::VLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(left, top, width, height);
    return frame;
}

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}
