#include "ado/ServerMessages.h"

namespace ado {

QString ServerMessages::syntaxNear(const QString& token)
{
    return QStringLiteral("Sintaxis incorrecta cerca de '%1'.").arg(token);
}

QString ServerMessages::syntaxNearKeyword(const QString& word)
{
    return QStringLiteral("Sintaxis incorrecta cerca de la palabra clave '%1'.").arg(word);
}

QString ServerMessages::syntaxAtEndOfBatch()
{
    return QStringLiteral("Sintaxis incorrecta cerca del final del lote.");
}

QString ServerMessages::syntaxAtEndOfStatement()
{
    return QStringLiteral("Sintaxis incorrecta cerca del final de la instrucción.");
}

QString ServerMessages::nulInStatement(qsizetype position)
{
    return QStringLiteral("Sintaxis incorrecta: la instrucción tiene un carácter nulo en la posición %1.").arg(position);
}

QString ServerMessages::undeclaredVariable(const QString& name)
{
    return QStringLiteral("Debe declarar la variable escalar \"%1\".").arg(name);
}

QString ServerMessages::outsideWhile(const QString& statement)
{
    return QStringLiteral("No se puede usar una instrucción %1 fuera del ámbito de una instrucción WHILE.").arg(statement);
}

QString ServerMessages::invalidObject(const QString& name)
{
    return QStringLiteral("El nombre de objeto '%1' no es válido.").arg(name);
}

QString ServerMessages::invalidColumn(const QString& name)
{
    return QStringLiteral("El nombre de columna '%1' no es válido.").arg(name);
}

QString ServerMessages::unboundIdentifier(const QString& name)
{
    return QStringLiteral("No se pudo enlazar el identificador de varias partes \"%1\".").arg(name);
}

QString ServerMessages::unknownFunction(const QString& name)
{
    return QStringLiteral("'%1' no es un nombre de función integrada reconocido.").arg(name);
}

QString ServerMessages::unknownDatePart(const QString& unit)
{
    return QStringLiteral("'%1' no es una opción de parte de fecha reconocida.").arg(unit);
}

QString ServerMessages::argumentCount(const QString& function, int count)
{
    return QStringLiteral("La función %1 requiere %2 argumentos.").arg(function).arg(count);
}

QString ServerMessages::objectExists(const QString& name)
{
    return QStringLiteral("Ya hay un objeto con el nombre '%1' en la base de datos.").arg(name);
}

QString ServerMessages::duplicateColumn(const QString& name)
{
    return QStringLiteral("Los nombres de columna de cada tabla deben ser únicos. El nombre de columna '%1' se especificó "
                          "más de una vez.").arg(name);
}

QString ServerMessages::missingColumnName()
{
    return QStringLiteral("Falta un nombre de objeto o de columna, o está vacío. En las instrucciones SELECT INTO, "
                          "compruebe que cada columna tenga un nombre.");
}

QString ServerMessages::tiesWithoutOrder()
{
    return QStringLiteral("La cláusula TOP N WITH TIES no se permite sin la cláusula ORDER BY correspondiente.");
}

QString ServerMessages::nestedTooDeeply()
{
    return QStringLiteral("Alguna parte de la instrucción SQL está anidada a demasiada profundidad. Vuelva a escribir "
                          "la consulta o divídala en consultas más pequeñas.");
}

QString ServerMessages::nestingLimit(int limit)
{
    return QStringLiteral("Se superó el nivel máximo de anidamiento de procedimientos almacenados, funciones, "
                          "desencadenadores o vistas (límite %1).").arg(limit);
}

QString ServerMessages::procedureNotFound(const QString& name)
{
    return QStringLiteral("No se encontró el procedimiento almacenado '%1'.").arg(name);
}

QString ServerMessages::databaseNotFound(const QString& name)
{
    return QStringLiteral("La base de datos '%1' no existe. Compruebe que el nombre esté bien escrito.").arg(name);
}

// The operator's name is the server's own word (add, subtract, divide ...), as in its message.
QString ServerMessages::invalidOperand(const QString& type, const QString& operatorName)
{
    return QStringLiteral("El tipo de datos %1 del operando no es válido para el operador %2.").arg(type, operatorName);
}

QString ServerMessages::isoWeekUnsupported(const QString& function)
{
    return QStringLiteral("La función de fecha %1 no admite la parte de fecha iso_week para el tipo de datos datetime.")
        .arg(function);
}

QString ServerMessages::unsupported(const QString& construct)
{
    return QStringLiteral("El motor integrado no admite %1.").arg(construct);
}

QString ServerMessages::duplicateKey(const QString& table)
{
    return QStringLiteral("Infracción de la restricción PRIMARY KEY 'PK_%1'. No se puede insertar una clave duplicada "
                          "en el objeto 'dbo.%1'.").arg(table);
}

QString ServerMessages::referenceConflict(const QString& verb, const QString& constraint)
{
    return QStringLiteral("La instrucción %1 está en conflicto con la restricción %2.").arg(verb, constraint);
}

QString ServerMessages::checkConflict(const QString& verb, const QString& constraint)
{
    return QStringLiteral("La instrucción %1 está en conflicto con la restricción CHECK \"%2\".").arg(verb, constraint);
}

QString ServerMessages::nullNotAllowed(const QString& column, const QString& table, const QString& verb)
{
    return QStringLiteral("No se puede insertar el valor NULL en la columna '%1', tabla '%2'. La columna no admite "
                          "valores NULL. Error de %3.").arg(column, table, verb);
}

QString ServerMessages::truncation()
{
    return QStringLiteral("Los datos de cadena o binarios se truncarían.");
}

QString ServerMessages::statementTerminated()
{
    return QStringLiteral("Se terminó la instrucción.");
}

QString ServerMessages::dateConversion()
{
    return QStringLiteral("Error de conversión al convertir una cadena de caracteres en fecha y/u hora.");
}

QString ServerMessages::valueConversion(const QString& value, const QString& type)
{
    return QStringLiteral("Error de conversión al convertir el valor varchar '%1' al tipo de datos %2.").arg(value, type);
}

QString ServerMessages::overflowValue(const QString& type, qint64 value)
{
    return QStringLiteral("Error de desbordamiento aritmético para el tipo de datos %1, valor = %2.").arg(type).arg(value);
}

QString ServerMessages::overflowConverting(const QString& type)
{
    return QStringLiteral("Error de desbordamiento aritmético al convertir la expresión al tipo de datos %1.").arg(type);
}

QString ServerMessages::overflowToVarchar()
{
    return QStringLiteral("Error de desbordamiento aritmético al convertir numeric al tipo de datos varchar.");
}

QString ServerMessages::moneySyntax()
{
    return QStringLiteral("No se puede convertir un valor char a money. La sintaxis del valor char es incorrecta.");
}

QString ServerMessages::typeConversion(const QString& type)
{
    return QStringLiteral("Error al convertir el tipo de datos varchar a %1.").arg(type);
}

QString ServerMessages::divideByZero()
{
    return QStringLiteral("Se encontró un error de división entre cero.");
}

QString ServerMessages::invalidFloatingPoint()
{
    return QStringLiteral("Se produjo una operación de punto flotante no válida.");
}

QString ServerMessages::invalidLength(const QString& function)
{
    return QStringLiteral("Se pasó un parámetro de longitud no válido a la función %1.").arg(function);
}

QString ServerMessages::commitWithoutBegin()
{
    return QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION.");
}

QString ServerMessages::rollbackWithoutBegin()
{
    return QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION.");
}

QString ServerMessages::rollbackNameNotFound(const QString& name)
{
    return QStringLiteral("No se puede revertir %1. No se encontró ninguna transacción ni punto de retorno con ese nombre.")
        .arg(name);
}

QString ServerMessages::saveWithoutTransaction()
{
    return QStringLiteral("No se puede ejecutar SAVE TRANSACTION si no hay ninguna transacción activa.");
}

QString ServerMessages::lockTimeout()
{
    return QStringLiteral("Se superó el tiempo de espera de la solicitud de bloqueo.");
}

QString ServerMessages::queryTimeout()
{
    return QStringLiteral("Tiempo de espera de la consulta agotado");
}

QString ServerMessages::networkError()
{
    return QStringLiteral("[DBNETLIB][ConnectionWrite (send()).]Error general de red. Consulte la documentación de la red.");
}

QString ServerMessages::loginFailed(const QString& database)
{
    return QStringLiteral("No se puede abrir la base de datos \"%1\" solicitada por el inicio de sesión. "
                          "Error de inicio de sesión.").arg(database);
}

QString ServerMessages::damagedFile(const QString& database, const QString& file)
{
    return QStringLiteral("No se puede abrir la base de datos \"%1\": su archivo %2 está dañado o no es una base de datos.")
        .arg(database, file);
}

QString ServerMessages::readOnly(const QString& database)
{
    return QStringLiteral("No se pudo actualizar la base de datos \"%1\" porque es de solo lectura.").arg(database);
}

} // namespace ado
