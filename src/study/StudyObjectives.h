#pragma once
#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;

// The "Select Objectives" frame: which cards the deck holds.
class StudyObjectives : public QGroupBox {
    Q_OBJECT
public:
    explicit StudyObjectives(QWidget* parent = nullptr);

    // The deck query of the ticked boxes.
    QString BuildCardQuery() const;
    // At least one of the two arcana is ticked.
    bool anyArcana() const;

    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int Index);

    QCheckBox* chkMajor;
    QCheckBox* chkMinor;
    std::array<QCheckBox*, 4> chkGroup;
    QCheckBox* chkReversed;
    QLabel* Label18;
    QLabel* Label21;

Q_SIGNALS:
    // Both arcana unticked disables "Next >>" on the memorize tab; ticking one enables it.
    void nextAllowed(bool allowed);

private:
    void arcanaRule();
};
