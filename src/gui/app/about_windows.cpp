#include "gui/app/about_windows.h"

#include "gui/forms/form_widgets.h"
#include "gui/forms/form_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QPainter>
#include <QVBoxLayout>

namespace vexa {

namespace {

const QString kCredits1 = QStringLiteral("Written by the Vexa Build developers");
const QString kCredits2 = QStringLiteral("With thanks to all scenario authors");

QPixmap picture(const QString& resource, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    return pixmap;
}

QLabel* centredLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QString versionLabelText()
{
    return QStringLiteral("Version " VEXA_VERSION);
}

TForm3::TForm3(QWidget* parent)
    : CentredDialog(parent, titleFlags(TitleButtons::Close) | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("About Vexa Build"));
    setFixedSize(250, 329);

    auto* image = centredLabel(QStringLiteral("Image1"), QString(), this);
    image->setPixmap(picture(QStringLiteral(":/pictures/about.svg"), QSize(258, 225)));
    image->setFixedHeight(225);
    auto* name = centredLabel(QStringLiteral("Label1"), QStringLiteral("Vexa Build"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    auto* button = new QPushButton(QStringLiteral("&Ok"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &CentredDialog::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(2);
    layout->addWidget(image);
    layout->addWidget(name);
    layout->addWidget(centredLabel(QStringLiteral("Label4"), versionLabelText(), this));
    layout->addWidget(centredLabel(QStringLiteral("Label2"), kCredits1, this));
    layout->addWidget(centredLabel(QStringLiteral("Label3"), kCredits2, this));
    layout->addStretch();
    layout->addWidget(button, 0, Qt::AlignHCenter);
}

TForm7::TForm7(QWidget* parent)
    : CentredDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Splashscreen"));
    setFixedSize(320, 240);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image2"));
    image->setGeometry(0, 0, 320, 240);
    image->setPixmap(picture(QStringLiteral(":/pictures/splash.svg"), QSize(320, 240)));

    auto* button = new QPushButton(QStringLiteral("OK"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &CentredDialog::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 140, 12, 12);
    layout->setSpacing(2);
    for (const auto& [name, text] : {std::pair{QStringLiteral("Label1"), versionLabelText()},
                                     std::pair{QStringLiteral("Label2"), kCredits1},
                                     std::pair{QStringLiteral("Label3"), kCredits2}}) {
        QLabel* label = centredLabel(name, text, this);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        layout->addWidget(label);
    }
    layout->addStretch();
    layout->addWidget(button, 0, Qt::AlignHCenter);
}

} // namespace vexa
