#include "shell/form_widgets.h"

#include "shell/report_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dorvik {

namespace {
constexpr int kButtonHeight = 58;
} // namespace

QFont bandFont()
{
    QFont font = formFont();
    font.setPointSizeF(8.25);
    return font;
}

QLineEdit* counterBox(const char* name, const char* tooltip, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(QLatin1String(tooltip));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(formFont());
    box->setFixedSize(56, 24);
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(0,0,128); color: rgb(255,255,0);"
                                      " border: 1px solid rgb(255,255,0); }"));
    return box;
}

QWidget* counterWithCaption(QLineEdit* box, const char* caption, QWidget* parent)
{
    auto* block = new QWidget(parent);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    box->setParent(block);
    layout->addStretch(1);
    layout->addWidget(box, 0, Qt::AlignHCenter);
    auto* label = new QLabel(QLatin1String(caption), block);
    label->setBuddy(box);
    label->setFont(bandFont());
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->addStretch(1);
    return block;
}

BandButton::BandButton(const char* name, const char* caption, const char* tooltip,
                       const char* colour, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(QLatin1String(name));
    setText(QLatin1String(caption));
    if (tooltip)
        setToolTip(QLatin1String(tooltip));
    setFocusPolicy(Qt::StrongFocus);
    setFont(bandFont());
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (colour)
        setStyleSheet(QStringLiteral("QToolButton { background-color: %1; color: black;"
                                     " border: 2px outset %1; padding: 0px 2px; }"
                                     "QToolButton:pressed { border-style: inset; }"
                                     "QToolButton:focus { border: 2px solid black; }"
                                     "QToolButton:disabled { color: rgb(96,96,96); }")
                          .arg(QLatin1String(colour)));
    setFixedHeight(kButtonHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void BandButton::setPicture(const QIcon& picture)
{
    setIcon(picture);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void BandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace dorvik
