#pragma once
#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;

// The "Run on Windows Start-Up" frame: log-on start and starting in the tray.
class StartupOptions : public QGroupBox {
    Q_OBJECT
public:
    explicit StartupOptions(QWidget* parent = nullptr);

    QRadioButton* optRun;
    QRadioButton* optDontRun;
    QCheckBox* chkSysTray;
    QLabel* Label14;
};
