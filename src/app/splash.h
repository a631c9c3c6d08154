// frmSplash: shown while the main window loads.
#pragma once

#include <QWidget>

namespace dorvik {

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(QWidget* parent = nullptr);
};

} // namespace dorvik
