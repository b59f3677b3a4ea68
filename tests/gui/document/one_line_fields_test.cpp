#include "gui/document/scenario_view.h"
#include "gui/forms/form_widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace vexa;

namespace {

struct Pasted {
    QString text;
    QString inField;
};

// Each line break becomes one blank, a CR LF pair included.
const Pasted kLineBreaks[] = {
    {QStringLiteral("x\ny"), QStringLiteral("x y")},
    {QStringLiteral("a\r\nb"), QStringLiteral("a b")},
    {QStringLiteral("a\rb\n"), QStringLiteral("a b ")},
    {QStringLiteral("a\n\r\nb"), QStringLiteral("a  b")},
    {QStringLiteral("a\u2028b\u2029c\u0085d"), QStringLiteral("a b c d")},
};

// Pastes into the middle of a field's text, by the clipboard and by insert.
void expectPastedOnOneLine(QLineEdit& field)
{
    for (const auto& [text, inField] : kLineBreaks) {
        SCOPED_TRACE(text.toStdString());
        field.setText(QStringLiteral("<>"));
        field.setCursorPosition(1);
        QGuiApplication::clipboard()->setText(text);
        field.paste();
        EXPECT_EQ(field.text(), QStringLiteral("<") + inField + QStringLiteral(">"));
        EXPECT_EQ(field.cursorPosition(), 1 + inField.size());  // behind the pasted text

        field.setText(QString());
        field.insert(text);
        EXPECT_EQ(field.text(), inField);
    }
}

} // namespace

TEST(OneLineFields, ADialogFieldTakesAPastedLineBreakAsOneBlank)
{
    QWidget dialog;
    expectPastedOnOneLine(*makeEdit("Edit1", &dialog));
}

TEST(OneLineFields, AChooserTakesAPastedLineBreakAsOneBlank)
{
    QWidget dialog;
    QComboBox* chooser = makeChooser("ComboBox1", {QStringLiteral("Spain")}, &dialog);
    expectPastedOnOneLine(*chooser->lineEdit());
    EXPECT_EQ(chooser->currentText(), QStringLiteral("a b c d"));
}

TEST(OneLineFields, ADialogFieldStillRefusesWhatNoFileCanHold)
{
    QWidget dialog;
    QLineEdit* field = makeEdit("Edit1", &dialog);
    field->insert(QStringLiteral("x\n\u4e2d"));
    EXPECT_EQ(field->text(), QString());
}

TEST(OneLineFields, APageFieldTakesAPastedLineBreakAsOneBlank)
{
    ScenarioView view;
    expectPastedOnOneLine(*view.findChild<QLineEdit*>(QStringLiteral("Edit2")));
    expectPastedOnOneLine(*view.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->lineEdit());
    EXPECT_EQ(view.fieldText(FieldId::Intro), QStringLiteral("a b c d"));
}
