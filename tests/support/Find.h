#pragma once
#include <QObject>
#include <QString>
#include <QTest>

// Finds a control by its objectName below root; fails the test when it is missing.
template <typename T = QWidget>
T* find(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

// The one object of its class below root: a screen, the test run.
template <typename T>
T& only(const QObject* root)
{
    T* found = root->findChild<T*>();
    if (!found)
        qFatal("no %s found", T::staticMetaObject.className());
    return *found;
}
