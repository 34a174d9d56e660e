#pragma once
// A new row of the bound table straight from the code-entry box: the typed text becomes its
// description and the table's next numeric code its code. A new purchase or sale motive also
// gets its eight account rows, copied from the motive with the lowest code. Everything is
// written in one transaction: a failure leaves the table as it was.

#include "ado/Connection.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace codebox {

struct AdditionRequest {
    QString table;
    QString codeColumn;
    QString descriptionColumn;
    int codeWidth = 4;
    QString typed;       // the text of the box
    QString cuenta;      // account of a new maintenance item
};

class DirectAddition {
public:
    // Runs one statement on the box's connection (the box's observer sees it).
    using Runner = std::function<ado::RecordsetPtr(const QString& sql, qint64* affected)>;

    struct Outcome {
        bool added = false;
        QString code;        // the new code, blank-padded to the code width
        QString message;     // what to tell the operator when nothing was added ("" for nothing)
    };

    DirectAddition(ado::ConnectionPtr connection, Runner run) : m_connection(std::move(connection)), m_run(std::move(run)) {}
    Outcome add(const AdditionRequest& request, const QDate& today);

    // The statements, as they are sent.
    static QString storedDescription(const QString& typed);
    static QString duplicateCheck(const AdditionRequest& r, const QString& stored);
    static QString maximumCode(const AdditionRequest& r);
    // The next code after the highest one: digits right-aligned to the width. `fits` is false
    // when the number needs more digits than the width.
    static QString nextCode(const vb::Variant& maximum, int width, bool& fits);
    static QString insertStatement(const AdditionRequest& r, const QString& code, const QString& stored, const QDate& today);
    // The template row of a motive's accounts; "" for a table that is no motive table.
    static QString accountTemplate(const QString& table);
    static QString accountRow(const QString& table, const QString& code, const QString& vat, const QStringList& values);
    static const QStringList& accountColumns(const QString& table);   // from the third on
    static QString failureMessage(const QString& table, const QString& insert);

private:
    Outcome write(const AdditionRequest& r, const QString& code, const QString& stored, const QDate& today);
    QString accountBatch(const QString& table, const QString& code);

    ado::ConnectionPtr m_connection;
    Runner m_run;
};

} // namespace codebox
