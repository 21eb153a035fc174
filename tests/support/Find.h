#pragma once
#include <QObject>
#include <QString>
#include <QTest>

// Finds a control by its objectName below root; fails the test when it is missing.
template <typename T>
T* find(QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}
