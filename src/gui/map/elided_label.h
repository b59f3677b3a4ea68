#pragma once

#include <QLabel>

namespace vexa {

// A one-line label of plain text that never widens its window: text that does not fit
// ends in "…", and its tooltip then holds the whole text.
class ElidedLabel final : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
};

} // namespace vexa
