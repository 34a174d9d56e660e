#pragma once

#include <QString>

namespace ado {

// The server's messages, worded as a Spanish installation of SQL Server words them: the
// embedded engine raises them where the server would (the native number stays with the
// caller), so the operator reads the same text on either engine.
class ServerMessages {
public:
    // Syntax and names.
    static QString syntaxNear(const QString& token);                 // 102
    static QString syntaxNearKeyword(const QString& word);           // 156
    static QString syntaxAtEndOfBatch();                             // 102
    static QString syntaxAtEndOfStatement();                         // 102
    static QString nulInStatement(qsizetype position);               // 102
    static QString undeclaredVariable(const QString& name);          // 137
    static QString outsideWhile(const QString& statement);           // 135
    static QString invalidObject(const QString& name);               // 208
    static QString invalidColumn(const QString& name);               // 207
    static QString unboundIdentifier(const QString& name);           // 4104
    static QString unknownFunction(const QString& name);             // 195
    static QString unknownDatePart(const QString& unit);             // 155
    static QString argumentCount(const QString& function, int count); // 174
    static QString objectExists(const QString& name);                // 2714
    static QString duplicateColumn(const QString& name);             // 2705
    static QString missingColumnName();                              // 1038
    static QString tiesWithoutOrder();                               // 1062
    static QString nestedTooDeeply();                                // 191
    static QString nestingLimit(int limit);                          // 217
    static QString procedureNotFound(const QString& name);           // 2812
    static QString databaseNotFound(const QString& name);            // 911
    static QString invalidOperand(const QString& type, const QString& operatorName); // 8117
    static QString isoWeekUnsupported(const QString& function);      // 9810
    // A construct the embedded engine does not run (native 0: no server number fits).
    static QString unsupported(const QString& construct);

    // Constraints.
    static QString duplicateKey(const QString& table);               // 2627
    static QString referenceConflict(const QString& verb, const QString& constraint); // 547
    static QString checkConflict(const QString& verb, const QString& constraint);     // 547
    static QString nullNotAllowed(const QString& column, const QString& table, const QString& verb); // 515
    static QString truncation();                                     // 8152
    static QString statementTerminated();                            // 3621

    // Conversions.
    static QString dateConversion();                                 // 241
    static QString valueConversion(const QString& value, const QString& type); // 245
    static QString overflowValue(const QString& type, qint64 value); // 220
    static QString overflowConverting(const QString& type);          // 8115
    static QString overflowToVarchar();                              // 8115
    static QString moneySyntax();                                    // 235
    static QString typeConversion(const QString& type);              // 8114
    static QString divideByZero();                                   // 8134
    static QString invalidFloatingPoint();                           // 3623
    static QString invalidLength(const QString& function);           // 536, 537

    // Transactions, locks and connections.
    static QString commitWithoutBegin();                             // 3902
    static QString rollbackWithoutBegin();                           // 3903
    static QString rollbackNameNotFound(const QString& name);        // 6401
    static QString saveWithoutTransaction();                         // 628
    static QString lockTimeout();                                    // 1222
    static QString queryTimeout();
    static QString networkError();                                   // 11
    static QString loginFailed(const QString& database);             // 4060
    static QString damagedFile(const QString& database, const QString& file); // 926
    static QString readOnly(const QString& database);                // 3906
};

} // namespace ado
