#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

// The child of the given class and object name anywhere below root. A missing one fails the
// test and ends it with an exception rather than handing back a null pointer.
template <class T> T* findChildNamed(QObject* root, const QString& objectName)
{
    T* child = root ? root->findChild<T*>(objectName) : nullptr;
    if (!child) {
        ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named \""
                      << objectName.toStdString() << '"';
        throw std::runtime_error("missing child " + objectName.toStdString());
    }
    return child;
}
