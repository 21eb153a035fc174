#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

// The About box: what the program is, where its card pictures come from.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // The classic deck the program teaches.
    static QString deckName();

private:
    void cmdOK_Click();

    QLabel* Label2;
    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* Label4;
    QLabel* picIcon;
    QLabel* Label3;
    QLabel* lblCoBrand;
    QLabel* lblHomePage;
    QPushButton* cmdOK;
};
