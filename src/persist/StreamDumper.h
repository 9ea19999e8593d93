#pragma once
#include <QString>

class QIODevice;
class QTextStream;

// Lists every value of an object stream, one per line, indented by nesting:
// plain values with their kind, lists and collections with their members, and
// records (found by their signature wherever a value may stand) with class,
// instance name, property entries and child records. Needs no registered
// classes: it follows the encoding only.
class TStreamDumper {
public:
    struct Result {
        QString error;        // empty when the whole input was read
        qint64 offset = 0;    // bytes consumed when the reading stopped
        bool ok() const { return error.isEmpty(); }
    };

    // Writes the listing to `out` as far as the input can be read.
    static Result Dump(QIODevice& input, QTextStream& out);
};
