#pragma once
#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;

// The "Select Objectives" frame: which cards the deck holds.
class StudyObjectives : public QGroupBox {
    Q_OBJECT
public:
    // The boxes, in the order the settings store keeps them.
    enum Box { Major, Minor, Cups, Wands, Pentacles, Swords };

    explicit StudyObjectives(QWidget* parent = nullptr);

    // The deck query of the ticked boxes.
    QString BuildCardQuery() const;
    // At least one of the two arcana is ticked.
    bool anyArcana() const;
    // Description questions are to ask reversed meanings too.
    bool reversedTicked() const;
    bool isTicked(Box box) const;
    // Ticks or unticks a box; its rule runs as for a click.
    void setTicked(Box box, bool ticked);
    // Description questions may ask reversed meanings; keyword questions never do.
    void setReversedAllowed(bool allowed);

Q_SIGNALS:
    // Both arcana unticked disables "Next >>" on the memorize tab; ticking one enables it.
    void nextAllowed(bool allowed);

private:
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int Index);
    void arcanaRule();
    QCheckBox* box(Box which) const;

    QCheckBox* chkMajor;
    QCheckBox* chkMinor;
    std::array<QCheckBox*, 4> chkGroup;
    QCheckBox* chkReversed;
    QLabel* Label18;
    QLabel* Label21;
};
