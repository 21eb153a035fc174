#include "platform/DesktopEntry.h"
#include "support/TestMain.h"

#include <optional>

// Reads an Exec value back the way a desktop does: string escapes first, then field
// codes, then the quoting. Gives the arguments, or nothing when the value is malformed.
static std::optional<QStringList> readExec(const QString& value)
{
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\')) {
            unescaped += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i].unicode()) {
        case 's': unescaped += QLatin1Char(' '); break;
        case 'n': unescaped += QLatin1Char('\n'); break;
        case 't': unescaped += QLatin1Char('\t'); break;
        case 'r': unescaped += QLatin1Char('\r'); break;
        case '\\': unescaped += QLatin1Char('\\'); break;
        default: return std::nullopt;
        }
    }
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool hasArg = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (c == QLatin1Char('%')) {
            if (i + 1 < unescaped.size() && unescaped[i + 1] == QLatin1Char('%')) {
                current += c;
                hasArg = true;
                ++i;
                continue;
            }
            return std::nullopt; // a field code where the path should be
        }
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else if (c == QLatin1Char('\\')) {
                if (++i == unescaped.size())
                    return std::nullopt;
                const QChar e = unescaped[i];
                if (e != QLatin1Char('"') && e != QLatin1Char('`') && e != QLatin1Char('$') && e != QLatin1Char('\\'))
                    return std::nullopt;
                current += e;
            } else {
                if (c == QLatin1Char('`') || c == QLatin1Char('$'))
                    return std::nullopt; // must have been escaped
                current += c;
            }
        } else if (c == QLatin1Char(' ')) {
            if (hasArg)
                args << current;
            current.clear();
            hasArg = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
            hasArg = true;
        } else {
            if (QStringLiteral("\t\n'\\><~|&;$*?#()`").contains(c))
                return std::nullopt; // reserved outside quotes
            current += c;
            hasArg = true;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (hasArg)
        args << current;
    return args;
}

class TestDesktopEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void execValue_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec"); // as the file holds it
        QTest::newRow("plain") << "/opt/lumenrest/Lumenrest" << "\"/opt/lumenrest/Lumenrest\" /STARTUP";
        QTest::newRow("spaces") << "/home/ann/My Programs/Lumenrest"
                                << "\"/home/ann/My Programs/Lumenrest\" /STARTUP";
        QTest::newRow("double quote") << "/tmp/say \"hi\"/Lumenrest" << "\"/tmp/say \\\\\"hi\\\\\"/Lumenrest\" /STARTUP";
        QTest::newRow("dollar") << "/tmp/$HOME/Lumenrest" << "\"/tmp/\\\\$HOME/Lumenrest\" /STARTUP";
        QTest::newRow("backquote") << "/tmp/`id`/Lumenrest" << "\"/tmp/\\\\`id\\\\`/Lumenrest\" /STARTUP";
        QTest::newRow("backslash") << "/tmp/a\\b/Lumenrest" << "\"/tmp/a\\\\\\\\b/Lumenrest\" /STARTUP";
        QTest::newRow("percent") << "/tmp/100%/Lumenrest" << "\"/tmp/100%%/Lumenrest\" /STARTUP";
        QTest::newRow("field code look-alike") << "/tmp/%f %u/Lumenrest" << "\"/tmp/%%f %%u/Lumenrest\" /STARTUP";
        QTest::newRow("single quote") << "/tmp/ann's/Lumenrest" << "\"/tmp/ann's/Lumenrest\" /STARTUP";
        QTest::newRow("line break and tab") << "/tmp/a\nb\tc/Lumenrest" << "\"/tmp/a\\nb\\tc/Lumenrest\" /STARTUP";
        QTest::newRow("non-ASCII") << QStringLiteral("/home/zoë/Tarot 🂡/Lumenrest")
                                   << QStringLiteral("\"/home/zoë/Tarot 🂡/Lumenrest\" /STARTUP");
        QTest::newRow("everything") << "/a b/\"q\"/$v/`c`/\\s/%%/Lumenrest"
                                    << "\"/a b/\\\\\"q\\\\\"/\\\\$v/\\\\`c\\\\`/\\\\\\\\s/%%%%/Lumenrest\" /STARTUP";
    }

    void execValue()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(DesktopEntry::execValue(path), exec);
        // And a desktop reads back exactly the path and the switch.
        const auto args = readExec(exec);
        QVERIFY(args.has_value());
        QCOMPARE(*args, (QStringList{path, QStringLiteral("/STARTUP")}));
    }

    void autostartEntryContents()
    {
        QCOMPARE(DesktopEntry::autostartEntry(QStringLiteral("Lumenrest"), QStringLiteral("/opt/My Apps/Lumenrest")),
                 QByteArray("[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=Lumenrest\n"
                            "Exec=\"/opt/My Apps/Lumenrest\" /STARTUP\n"
                            "Terminal=false\n"));
        // Written as UTF-8.
        QVERIFY(DesktopEntry::autostartEntry(QStringLiteral("Lumenrest"), QStringLiteral("/home/zoë/Lumenrest"))
                    .contains("/home/zo\xc3\xab/Lumenrest"));
    }

    void switchedOff_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("off");
        const QByteArray head = "[Desktop Entry]\nType=Application\nExec=\"/x\" /STARTUP\n";
        QTest::newRow("ours") << head << false;
        QTest::newRow("Hidden=true") << head + "Hidden=true\n" << true;
        QTest::newRow("Hidden = true") << head + "Hidden = true\n" << true;
        QTest::newRow("Hidden=1") << head + "Hidden=1\n" << true;
        QTest::newRow("Hidden=false") << head + "Hidden=false\n" << false;
        QTest::newRow("commented out") << head + "#Hidden=true\n" << false;
        QTest::newRow("other group") << head + "[Desktop Action x]\nHidden=true\n" << false;
        QTest::newRow("before the group") << "Hidden=true\n" + head << false;
        QTest::newRow("GNOME switch off") << head + "X-GNOME-Autostart-enabled=false\n" << true;
        QTest::newRow("GNOME switch on") << head + "X-GNOME-Autostart-enabled=true\n" << false;
        QTest::newRow("CRLF lines") << QByteArray("[Desktop Entry]\r\nHidden=true\r\n") << true;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void switchedOff()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, off);
        QCOMPARE(DesktopEntry::isSwitchedOff(content), off);
    }
};

LUMENREST_TEST_MAIN(TestDesktopEntry)
#include "tst_DesktopEntry.moc"
