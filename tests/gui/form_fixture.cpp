#include "form_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace vexa::test {

QStringList FormFixture::itemsOf(const QComboBox* chooser)
{
    QStringList items;
    for (int i = 0; i < chooser->count(); ++i)
        items << chooser->itemText(i);
    return items;
}

void FormFixture::SetUp()
{
    EditorFixture::SetUp();
    startEditor();
}

QWidget& FormFixture::window(const char* name) const
{
    for (QWidget* window : app_->windows()) {
        if (window->objectName() == QLatin1String(name))
            return *window;
    }
    ADD_FAILURE() << "no window " << name;
    return main();
}

QWidget& FormFixture::openForm(const char* createEntry, const char* formName)
{
    choose(createEntry);
    QWidget& form = window(formName);
    EXPECT_TRUE(form.isVisible()) << formName;
    return form;
}

void FormFixture::typeOver(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void FormFixture::typeOver(QComboBox* chooser, const QString& text)
{
    typeOver(chooser->lineEdit(), text);
}

void FormFixture::pick(QComboBox* chooser, const QString& item)
{
    const int row = chooser->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    chooser->showPopup();
    QAbstractItemView* list = chooser->view();
    const QModelIndex index = chooser->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QApplication::processEvents();
}

void FormFixture::chooseMenu(const QWidget& form, const char* actionName) const
{
    QAction* entry = child<QAction>(form, actionName);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
}

void FormFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<int> FormFixture::setCompassButtons(const QWidget& form) const
{
    std::vector<int> set;
    for (int number = 1; number <= 8; ++number) {
        if (child<QRadioButton>(form, QStringLiteral("RadioButton%1").arg(number).toLatin1().constData())->isChecked())
            set.push_back(number);
    }
    return set;
}

std::string FormFixture::tabChain(QWidget* from, int count)
{
    // Tab skips a widget that hands its focus to another (an editable chooser to its
    // text field), as QWidget::focusNextPrevChild does.
    QStringList chain;
    for (QWidget* widget = from->focusProxy() ? from->focusProxy() : from; chain.size() < count;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            chain << (widget->objectName().isEmpty() ? widget->parentWidget()->objectName() : widget->objectName());
    }
    return chain.join(QLatin1Char(' ')).toStdString();
}

std::string FormFixture::clippedWidgets(const QWidget& form)
{
    QStringList found;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label && label->wordWrap()) {
            if (label->height() < label->heightForWidth(label->width()))
                found << widget->objectName();
        } else if ((label || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)) &&
                   widget->width() < widget->minimumSizeHint().width()) {
            found << widget->objectName();
        }
    }
    return found.join(QLatin1Char(' ')).toStdString();
}

} // namespace vexa::test
