#include "app/splash.h"

#include "platform/user_boxes.h"
#include "version.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace dorvik {

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(QPixmap(QStringLiteral(":/icons/dorvik.png")));
    logo->setAlignment(Qt::AlignCenter);

    auto* product = new QLabel(QString::fromLatin1(kAppTitle), frame);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(24);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kVersion), frame);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* platform = new QLabel(QStringLiteral("Windows 95/98/Me/2000"), frame);
    platform->setObjectName(QStringLiteral("lblPlatform"));
    auto* company = new QLabel(QStringLiteral("Elmarin"), frame);
    company->setObjectName(QStringLiteral("lblCompanyProduct"));
    auto* credit = new QLabel(QStringLiteral("Godisni prijavi za staz, casovi i dohod"), frame);
    credit->setObjectName(QStringLiteral("lblCredit"));

    layout->addWidget(logo);
    layout->addWidget(product);
    for (QLabel* label : {version, platform, company, credit}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    resize(420, 260);
}

} // namespace dorvik
