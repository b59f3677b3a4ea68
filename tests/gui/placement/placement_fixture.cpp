#include "placement_fixture.h"

#include "gui/document/pane_editor.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace vexa::test {

QLineEdit* PlacementFixture::calculatorEdit(const char* name) const
{
    return child<QLineEdit>(calculator_, name);
}

void PlacementFixture::typeOver(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void PlacementFixture::typeOver(QComboBox* chooser, const QString& text)
{
    typeOver(chooser->lineEdit(), text);
}

void PlacementFixture::pick(QComboBox* chooser, const QString& item)
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

void PlacementFixture::chooseType(const char* actionName) const
{
    QAction* entry = form<QAction>(actionName);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
}

void PlacementFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void PlacementFixture::setPane(PaneId pane, const QString& text) const
{
    document_.paneEditor(pane)->setPlainText(text);
}

std::vector<std::string> PlacementFixture::paneLines(PaneId pane) const
{
    const PaneEditor editor(document_.paneEditor(pane));
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < editor.lineCount(); ++i)
        lines.push_back(editor.line(i));
    return lines;
}

void PlacementFixture::fillPowerPlantRow(const QString& first, const QString& last)
{
    buildings_.open();
    pick(form<QComboBox>("ComboBox1"), QStringLiteral("Greece"));
    chooseType("Powerplant1");
    typeOver(form<QLineEdit>("Edit4"), first);
    typeOver(form<QLineEdit>("Edit5"), last);
}

} // namespace vexa::test
