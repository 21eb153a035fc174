#pragma once
// One card's history: its picture, its recall chance today, its next review, every answer
// about it and the cards it was taken for, most often first.

#include <QWidget>

class CardThumbnails;
class PictureBox;
class QLabel;
class QListWidget;
class QTableWidget;
namespace progress {
class MemoryModel;
}

class CardHistoryView : public QWidget {
    Q_OBJECT
public:
    explicit CardHistoryView(QWidget* parent = nullptr);

    // Shows the card (0: none chosen yet).
    void showCard(int cardId, const progress::MemoryModel& model, const CardThumbnails& cards);
    int cardId() const { return m_cardId; }

private:
    int m_cardId = 0;
    PictureBox* m_picture;
    QLabel* m_name;
    QLabel* m_recall;
    QLabel* m_nextReview;
    QTableWidget* m_answers;
    QLabel* m_mistakenCaption;
    QListWidget* m_mistakenFor;
};
