#include "gui/scripting/composer_fields.h"

#include "gui/document/text_codec.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QValidator>

namespace vexa {

namespace {

class ByteTextValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override
    {
        return firstUnencodable(input) < 0 ? Acceptable : Invalid;
    }
};

} // namespace

QLineEdit* makeByteField(const QString& objectName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setValidator(new ByteTextValidator(field));
    return field;
}

std::string fieldBytes(const QLineEdit& field)
{
    // The validator keeps out what has no byte; text set by the program comes from the
    // tables and is 8-bit too, so nothing is ever replaced here.
    return encodeTextReplacing(field.text(), '?');
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace vexa
