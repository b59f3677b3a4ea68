#include "placement_fixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace vexa::test {

void PlacementFixture::fillPowerPlantRow(const QString& first, const QString& last)
{
    buildings().open();
    pick(form<QComboBox>("ComboBox1"), QStringLiteral("Greece"));
    chooseType("Powerplant1");
    typeOver(form<QLineEdit>("Edit4"), first);
    typeOver(form<QLineEdit>("Edit5"), last);
}

} // namespace vexa::test
