#include "DemoNames.h"

namespace demo {

namespace DemoNames {

const std::vector<std::string> &surnames()
{
    static const std::vector<std::string> list{
        "Gómez", "Fernández", "Rodríguez", "López", "Martínez", "Pérez", "García", "Sánchez",
        "Romero", "Sosa", "Álvarez", "Torres", "Ruiz", "Ramírez", "Flores", "Acosta", "Benítez",
        "Medina", "Herrera", "Suárez", "Aguirre", "Giménez", "Gutiérrez", "Pereyra", "Molina",
        "Castro", "Ortiz", "Silva", "Núñez", "Luna", "Juárez", "Cabrera", "Ríos", "Ferreyra",
        "Godoy", "Morales", "Domínguez", "Peralta", "Vega", "Carrizo", "Quiroga", "Ibáñez",
        "Muñoz", "Ledesma", "Ojeda", "Villalba", "Cardozo", "Navarro", "Moreno", "Páez"};
    return list;
}

const std::vector<std::string> &givenNames()
{
    static const std::vector<std::string> list{
        "Juan", "María", "Carlos", "Ana", "Jorge", "Laura", "Luis", "Silvia", "Miguel", "Claudia",
        "Diego", "Patricia", "Pablo", "Mónica", "Martín", "Gabriela", "Sergio", "Verónica",
        "Daniel", "Lucía", "Hernán", "Florencia", "Gustavo", "Paula", "Ricardo", "Noelia"};
    return list;
}

const std::vector<std::string> &companyWords()
{
    static const std::vector<std::string> list{
        "Ferretería", "Distribuidora", "Agropecuaria", "Metalúrgica", "Maderera", "Insumos",
        "Corralón", "Comercial", "Industrias", "Transportes", "Lubricantes", "Electricidad",
        "Sanitarios", "Repuestos", "Química", "Plásticos", "Papelera", "Frigorífico",
        "Cerealera", "Textil", "Servicios", "Construcciones", "Neumáticos", "Herrajes"};
    return list;
}

const std::vector<std::string> &companyForms()
{
    static const std::vector<std::string> list{"S.A.", "S.R.L.", "S.A.S.", "y Cía.", "Hnos.", "S.H."};
    return list;
}

const std::vector<std::string> &streets()
{
    static const std::vector<std::string> list{
        "Av. San Martín", "Belgrano", "Rivadavia", "Av. Mitre", "Sarmiento", "25 de Mayo",
        "9 de Julio", "Moreno", "Av. Colón", "Urquiza", "Av. Pellegrini", "Lavalle",
        "Güemes", "Alem", "Independencia", "Córdoba", "Entre Ríos", "Tucumán"};
    return list;
}

const std::vector<std::string> &towns()
{
    static const std::vector<std::string> list{
        "Rosario", "Córdoba", "Mendoza", "La Plata", "Mar del Plata", "Santa Fe", "Paraná",
        "Rafaela", "Venado Tuerto", "Río Cuarto", "San Nicolás", "Pergamino", "Junín",
        "Tandil", "Bahía Blanca", "Neuquén", "Salta", "San Miguel de Tucumán"};
    return list;
}

const std::vector<std::string> &articleNouns()
{
    static const std::vector<std::string> list{
        "Tornillo", "Tuerca", "Arandela", "Bulón", "Caño", "Codo", "Cable", "Llave térmica",
        "Rodamiento", "Correa", "Filtro de aceite", "Aceite hidráulico", "Guante", "Disco de corte",
        "Electrodo", "Pintura", "Lija", "Mecha", "Manguera", "Abrazadera", "Cinta aisladora",
        "Tablero", "Perfil", "Chapa", "Varilla", "Candado", "Bisagra", "Silicona"};
    return list;
}

const std::vector<std::string> &articleQualifiers()
{
    static const std::vector<std::string> list{
        "galvanizado", "acero inoxidable", "bronce", "PVC", "reforzado", "cincado", "negro",
        "blanco", "industrial", "de alta presión", "estándar", "premium"};
    return list;
}

const std::vector<std::string> &articleSizes()
{
    static const std::vector<std::string> list{
        "1/4\"", "3/8\"", "1/2\"", "3/4\"", "1\"", "6 mm", "8 mm", "10 mm", "12 mm", "20 l",
        "4 l", "1 kg", "5 kg", "2,5 mm2", "4 mm2", "x 6 m", "talle L", "115 mm"};
    return list;
}

const std::vector<std::string> &services()
{
    static const std::vector<std::string> list{
        "Flete a planta", "Mano de obra de mantenimiento", "Calibración de balanza", "Reparación de motor eléctrico",
        "Alquiler de autoelevador", "Análisis de aceite"};
    return list;
}

const std::vector<std::string> &remarks()
{
    static const std::vector<std::string> list{
        "Entregar en depósito central", "Urgente: parada de planta", "El proveedor confirma entrega parcial",
        "Adjuntar certificado de calidad", "Material en garantía, sin cargo", "Coordinar descarga con portería"};
    return list;
}

} // namespace DemoNames

} // namespace demo
