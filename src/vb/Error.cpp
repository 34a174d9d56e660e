#include "vb/Error.h"

#include <QCoreApplication>
#include <QHash>
#include <cstdlib>
#include <new>

namespace vb {

namespace {

// The texts a Spanish installation of the original's runtime shows for its numbered errors.
const QHash<int, QString>& descriptions()
{
    static const QHash<int, QString> table = {
        {3, QStringLiteral("Return sin GoSub")},
        {5, QStringLiteral("Llamada a procedimiento o argumento no válidos")},
        {6, QStringLiteral("Desbordamiento")},
        {7, QStringLiteral("Memoria insuficiente")},
        {9, QStringLiteral("El subíndice está fuera del intervalo")},
        {10, QStringLiteral("Esta matriz es fija o está bloqueada temporalmente")},
        {11, QStringLiteral("División por cero")},
        {13, QStringLiteral("No coinciden los tipos")},
        {14, QStringLiteral("Espacio de cadena insuficiente")},
        {16, QStringLiteral("Expresión demasiado compleja")},
        {17, QStringLiteral("No se puede realizar la operación solicitada")},
        {18, QStringLiteral("Se produjo una interrupción por parte del usuario")},
        {20, QStringLiteral("Resume sin error")},
        {28, QStringLiteral("Espacio de pila insuficiente")},
        {35, QStringLiteral("No se ha definido Sub o Function")},
        {47, QStringLiteral("Demasiados clientes de aplicación para la DLL")},
        {48, QStringLiteral("Error al cargar la DLL")},
        {49, QStringLiteral("Convención de llamada a DLL incorrecta")},
        {51, QStringLiteral("Error interno")},
        {52, QStringLiteral("Nombre o número de archivo incorrecto")},
        {53, QStringLiteral("No se encontró el archivo")},
        {54, QStringLiteral("Modo de archivo incorrecto")},
        {55, QStringLiteral("El archivo ya está abierto")},
        {57, QStringLiteral("Error de E/S en el dispositivo")},
        {58, QStringLiteral("El archivo ya existe")},
        {59, QStringLiteral("Longitud de registro incorrecta")},
        {61, QStringLiteral("Disco lleno")},
        {62, QStringLiteral("La entrada pasó del final del archivo")},
        {63, QStringLiteral("Número de registro incorrecto")},
        {67, QStringLiteral("Demasiados archivos")},
        {68, QStringLiteral("Dispositivo no disponible")},
        {70, QStringLiteral("Permiso denegado")},
        {71, QStringLiteral("El disco no está listo")},
        {74, QStringLiteral("No se puede cambiar el nombre con otra unidad")},
        {75, QStringLiteral("Error de acceso a la ruta o al archivo")},
        {76, QStringLiteral("No se encontró la ruta de acceso")},
        {91, QStringLiteral("Variable de objeto o variable de bloque With no establecida")},
        {92, QStringLiteral("Bucle For no inicializado")},
        {93, QStringLiteral("Cadena de modelo no válida")},
        {94, QStringLiteral("Uso no válido de Null")},
        {321, QStringLiteral("Formato de archivo no válido")},
        {322, QStringLiteral("No se puede crear el archivo temporal necesario")},
        {340, QStringLiteral("No existe el elemento de la matriz de controles")},
        {360, QStringLiteral("El objeto ya está cargado")},
        {361, QStringLiteral("No se puede cargar ni descargar este objeto")},
        {380, QStringLiteral("Valor de propiedad no válido")},
        {381, QStringLiteral("Índice de matriz de propiedades no válido")},
        {382, QStringLiteral("Set no se admite en tiempo de ejecución")},
        {383, QStringLiteral("Set no se admite (propiedad de solo lectura)")},
        {385, QStringLiteral("Se necesita un índice de matriz de propiedades")},
        {387, QStringLiteral("Set no permitido")},
        {393, QStringLiteral("Get no se admite en tiempo de ejecución")},
        {394, QStringLiteral("Get no se admite (propiedad de solo escritura)")},
        {400, QStringLiteral("El formulario ya se está mostrando; no se puede mostrar como modal")},
        {402, QStringLiteral("El código debe cerrar primero el formulario modal superior")},
        {419, QStringLiteral("Permiso denegado para usar el objeto")},
        {422, QStringLiteral("No se encontró la propiedad")},
        {423, QStringLiteral("No se encontró la propiedad o el método")},
        {424, QStringLiteral("Se requiere un objeto")},
        {429, QStringLiteral("El componente ActiveX no puede crear el objeto")},
        {430, QStringLiteral("La clase no admite Automatización o no admite la interfaz esperada")},
        {438, QStringLiteral("El objeto no admite esta propiedad o método")},
        {440, QStringLiteral("Error de Automatización")},
        {445, QStringLiteral("El objeto no admite esta acción")},
        {446, QStringLiteral("El objeto no admite argumentos con nombre")},
        {448, QStringLiteral("No se encontró el argumento con nombre")},
        {449, QStringLiteral("El argumento no es opcional")},
        {450, QStringLiteral("El número de argumentos es incorrecto o la asignación de propiedad no es válida")},
        {451, QStringLiteral("No se definió el procedimiento Property Let y el procedimiento Property Get no devolvió un objeto")},
        {453, QStringLiteral("No se encontró la función de DLL especificada")},
        {457, QStringLiteral("Esta clave ya está asociada con un elemento de esta colección")},
        {458, QStringLiteral("La variable usa un tipo de Automatización no admitido en Visual Basic")},
        {461, QStringLiteral("No se encontró el método o el miembro de datos")},
        {462, QStringLiteral("El equipo servidor remoto no existe o no está disponible")},
        {463, QStringLiteral("La clase no está registrada en el equipo local")},
        {481, QStringLiteral("Imagen no válida")},
        {482, QStringLiteral("Error de impresora")},
        {483, QStringLiteral("El controlador de impresora no admite la propiedad especificada")},
        {484, QStringLiteral("Problema al obtener información de la impresora del sistema. Asegúrese de que la impresora esté bien configurada")},
        {486, QStringLiteral("No se puede imprimir la imagen del formulario en este tipo de impresora")},
        {520, QStringLiteral("No se puede vaciar el Portapapeles")},
        {521, QStringLiteral("No se puede abrir el Portapapeles")},
        {735, QStringLiteral("No se puede guardar el archivo en TEMP")},
        {744, QStringLiteral("No se encontró el texto buscado")},
        {746, QStringLiteral("Los reemplazos son demasiado largos")},
        {32755, QStringLiteral("Se eligió Cancelar.")},
        {32811, QStringLiteral("No se encontró el elemento")},
    };
    return table;
}

Error& currentError()
{
    static Error error;
    return error;
}

EndHook& endHook()
{
    static EndHook hook;
    return hook;
}

} // namespace

Error::Error(int number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source))
{
    if (m_description.isEmpty())
        m_description = standardDescription(number);
}

const char* Error::what() const noexcept
{
    if (m_what.empty()) {
        try {
            m_what = QStringLiteral("Error %1: %2").arg(m_number).arg(m_description).toStdString();
        } catch (...) {
            return "vb::Error";
        }
    }
    return m_what.c_str();
}

QString Error::standardDescription(int number)
{
    if (number == 0)
        return {};
    auto it = descriptions().constFind(number);
    if (it != descriptions().constEnd())
        return *it;
    return QStringLiteral("Error definido por la aplicación o por el objeto");
}

QString Error::fileDescription(int number, const QString& path)
{
    return standardDescription(number) + QStringLiteral(": ") + path;
}

void raise(int number, const QString& description, const QString& source)
{
    throw Error(number, description, source);
}

const Error& Err::current() { return currentError(); }
void Err::set(const Error& e) { currentError() = e; }
void Err::clear() { currentError() = Error(); }
int Err::number() { return currentError().number(); }
QString Err::description() { return currentError().description(); }
QString Err::source() { return currentError().source(); }

Trap::Trap(Handler handler) : m_handler(std::move(handler)) {}

Trap Trap::skipping()
{
    Trap t(Handler{});
    t.m_skip = true;
    return t;
}

bool Trap::run(const std::function<void()>& step)
{
    if (m_left)
        return false;
    for (;;) {
        Error caught;
        try {
            step();
            return true;
        } catch (const Error& e) {
            caught = e;
        } catch (const std::bad_alloc&) {
            caught = Error(7);
        }
        Err::set(caught);
        m_lastError = caught;
        if (m_skip || !m_handler)
            return true;    // resume next: Err stays set for the code that checks it
        m_lastAnswer = m_handler(caught);
        if (m_lastAnswer == Retry) {
            Err::clear();
            continue;
        }
        if (m_lastAnswer == Ignore) {
            Err::clear();
            return true;
        }
        m_left = true;
        return false;
    }
}

void setEndHook(EndHook hook) { endHook() = std::move(hook); }

void End(int exitCode)
{
    if (endHook())
        endHook()(exitCode);
    // The hook returned (or there is none): end the process as the original did.
    if (QCoreApplication::instance())
        QCoreApplication::exit(exitCode);
    std::exit(exitCode);
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace vb
