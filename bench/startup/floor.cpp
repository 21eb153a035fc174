// The floor for start-up timing: the least a Qt Widgets program with five tabs does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Startup Floor"));
    auto* tabs = new QTabWidget(&window);
    for (int i = 0; i < 5; ++i)
        tabs->addTab(new QLabel(QStringLiteral("Tab %1").arg(i)), QStringLiteral("Tab %1").arg(i));
    window.setCentralWidget(tabs);
    window.resize(1000, 740);
    window.show();
    return app.exec();
}
