#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

namespace vexa {

// A row of tabs that wraps onto further rows when the window is too narrow for all of
// them, drawn by the platform's style like any tab bar.
class WrappingTabBar final : public QWidget {
    Q_OBJECT
public:
    explicit WrappingTabBar(QWidget* parent = nullptr);

    int addTab(const QString& text);
    int count() const { return static_cast<int>(texts_.size()); }
    QString tabText(int index) const { return texts_.value(index); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    QRect tabRect(int index) const;
    int tabAt(QPoint position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize tabSize(int index) const;
    std::vector<QRect> layoutTabs(int width) const;
    void relayout();

    QStringList texts_;
    std::vector<QRect> rects_;
    int current_ = -1;
};

} // namespace vexa
