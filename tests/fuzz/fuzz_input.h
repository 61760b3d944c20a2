#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Turns libFuzzer's bytes into what the text functions see: the first byte picks the locale
// (a point or a comma as the decimal separator), the rest is the text, read as UTF-16 when the
// first byte is odd so that characters outside Latin-1 (other scripts' digits, signs) come up
// as often as ASCII, and as UTF-8 otherwise.
struct FuzzInput
{
    QLocale locale;
    QString text;
};

inline FuzzInput fuzzInput(const uint8_t *data, size_t size)
{
    FuzzInput input{QLocale::c(), QString()};
    if (size == 0)
        return input;
    const uint8_t mode = data[0];
    ++data;
    --size;
    if (mode & 2)
        input.locale = QLocale(QLocale::Russian, QLocale::Russia);
    if (mode & 1) {
        // Copied byte-wise: the fuzzer's buffer is not aligned for QChar.
        input.text = QString(qsizetype(size / 2), Qt::Uninitialized);
        memcpy(input.text.data(), data, size / 2 * sizeof(QChar));
    } else {
        input.text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    return input;
}

// Stops the run with the input that broke a property; libFuzzer saves it as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);     \
            abort();                                                                               \
        }                                                                                          \
    } while (false)
