#pragma once
#include <QByteArray>
#include <QtTest>

// Doubles compared to the last bit (QCOMPARE on doubles forgives small differences).
#define QCOMPARE_EXACT(actual, expected) \
    QCOMPARE(QByteArray::number(double(actual), 'g', 17), QByteArray::number(double(expected), 'g', 17))
