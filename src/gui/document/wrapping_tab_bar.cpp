#include "gui/document/wrapping_tab_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>

namespace vexa {

WrappingTabBar::WrappingTabBar(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingTabBar::addTab(const QString& text)
{
    texts_ << text;
    if (current_ < 0)
        current_ = 0;
    relayout();
    return count() - 1;
}

void WrappingTabBar::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    update();
    Q_EMIT currentChanged(index);
}

QRect WrappingTabBar::tabRect(int index) const
{
    return index >= 0 && index < static_cast<int>(rects_.size()) ? rects_[static_cast<std::size_t>(index)] : QRect();
}

int WrappingTabBar::tabAt(QPoint position) const
{
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        if (rects_[i].contains(position))
            return static_cast<int>(i);
    }
    return -1;
}

QSize WrappingTabBar::tabSize(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.text = texts_[index];
    option.shape = QTabBar::RoundedNorth;
    const QFontMetrics metrics = fontMetrics();
    const QSize content(metrics.horizontalAdvance(option.text) + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                        metrics.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, this);
}

// Tabs left to right, a new row when the next tab would pass the width.
std::vector<QRect> WrappingTabBar::layoutTabs(int width) const
{
    std::vector<QRect> rects;
    QPoint at(0, 0);
    int rowHeight = 0;
    for (int i = 0; i < count(); ++i) {
        const QSize size = tabSize(i);
        if (at.x() > 0 && at.x() + size.width() > width) {
            at = QPoint(0, at.y() + rowHeight);
            rowHeight = 0;
        }
        rects.emplace_back(at, size);
        at.rx() += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    return rects;
}

int WrappingTabBar::heightForWidth(int width) const
{
    int bottom = 0;
    for (const QRect& rect : layoutTabs(width))
        bottom = std::max(bottom, rect.bottom() + 1);
    return bottom;
}

QSize WrappingTabBar::sizeHint() const
{
    int width = 0;
    for (int i = 0; i < count(); ++i)
        width += tabSize(i).width();
    return {width, heightForWidth(width)};
}

QSize WrappingTabBar::minimumSizeHint() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, tabSize(i).width());
    return {widest, heightForWidth(widest)};
}

void WrappingTabBar::relayout()
{
    rects_ = layoutTabs(width() > 0 ? width() : sizeHint().width());
    updateGeometry();
    update();
}

void WrappingTabBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.rect = rects_[static_cast<std::size_t>(i)];
        option.text = texts_[i];
        option.shape = QTabBar::RoundedNorth;
        option.position = QStyleOptionTab::Middle;
        if (i == current_) {
            option.state |= QStyle::State_Selected;
            if (hasFocus())
                option.state |= QStyle::State_HasFocus;
        }
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    }
}

void WrappingTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setCurrentIndex(tabAt(event->position().toPoint()));
}

void WrappingTabBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left)
        setCurrentIndex(current_ - 1);
    else if (event->key() == Qt::Key_Right)
        setCurrentIndex(current_ + 1);
    else
        QWidget::keyPressEvent(event);
}

void WrappingTabBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int wanted = heightForWidth(width());
    rects_ = layoutTabs(width());
    if (wanted != height())
        updateGeometry();
}

void WrappingTabBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

} // namespace vexa
