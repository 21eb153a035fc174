#pragma once
#include <QObject>
#include <QString>
#include <QTest>

// Finds a control by its objectName below root; fails the test when it is missing.
template <typename T = QWidget>
T* find(const QObject* root, const QString& name)
{
    if (T* found = root->findChild<T*>(name))
        return found;
    qFatal("control %s not found", qPrintable(name));
}

// The one object of its class below root: a screen, the test run.
template <typename T>
T& only(const QObject* root)
{
    if (T* found = root->findChild<T*>())
        return *found;
    qFatal("no %s found", T::staticMetaObject.className());
}
