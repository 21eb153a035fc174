#pragma once
// A main window on fake services, with a small card database beside its "executable".

#include "cardstore/modDB.h"
#include "shell/frmMain.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QTabWidget>

#include <memory>

struct MainWindowFixture {
    FakeServices fakes;
    Services services = fakes.services(); // a test may put a real service in
    std::unique_ptr<frmMain> window;

    // Cards 1-3 major, 4-5 Cups, 6 Wands, 7 Pentacles, 8 Swords unless told otherwise.
    static QList<CardContent> smallDeck()
    {
        QList<CardContent> cards;
        for (int i = 0; i < 8; ++i)
            cards << Fixtures::card(i + 1, std::array{0, 0, 0, 1, 1, 2, 3, 4}[i]);
        return cards;
    }

    explicit MainWindowFixture(const QList<CardContent>& cards = smallDeck(), bool withDatabase = true)
    {
        if (withDatabase)
            Fixtures::writeDeck(fakes.paths.dir.path(), cards);
    }
    ~MainWindowFixture()
    {
        window.reset();
        modDB::DeckRecordset.reset();
        modDB::CardConnection.reset();
    }

    frmMain& create() { window = std::make_unique<frmMain>(services); return *window; }
    frmMain& load() { create().Form_Load(); return *window; }
    template <typename T = QWidget>
    T* get(const QString& name) const { return find<T>(window.get(), name); }
    QTabWidget* tabs() const { return get<QTabWidget>(QStringLiteral("SSTab1")); }
    // Clicks a button by name.
    void click(const QString& name) const { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    // "11100": which tabs are available.
    QString availability() const
    {
        QString s;
        for (int i = 0; i < tabs()->count(); ++i)
            s += tabs()->isTabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};
