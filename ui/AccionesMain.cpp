// The main window's menu items and tool buttons.
#include "AccionesMain.h"

#include "MainUnit.h"

#include <array>

namespace {

using enum LugarOrden;

constexpr std::array Menus{
    MenuMain{Archivo, "Archivo1", "&Archivo"},
    MenuMain{Editar, "Editar1", "E&ditar"},
    MenuMain{Calcular, "Calcular1", "&Calcular"},
    MenuMain{Analisis, "Analisis1", "A&nálisis"},
    MenuMain{Experimentos, "Experimentos1", "&Experimentos"},
    MenuMain{Ayuda, "Ayuda1", "Ayuda"},
    MenuMain{Proyecto, "Proyecto1", "&Proyecto"},
    MenuMain{Ejercicio, "Ejercicio1", "E&jercicio"},
};

constexpr const char* Nuevo = ":/icons/nuevo.svg";
constexpr const char* Abrir = ":/icons/abrir.svg";
constexpr const char* GuardarProblema = ":/icons/guardar-problema.svg";
constexpr const char* Salir = ":/icons/salir.svg";
constexpr const char* Calculo = ":/icons/calcular.svg";
constexpr const char* AcercaDe = ":/icons/acerca-de.svg";
constexpr const char* CalculoManual = ":/icons/calculo-manual.svg";
constexpr const char* GuardarSolucion = ":/icons/guardar-solucion.svg";
constexpr const char* Imprimir = ":/icons/imprimir.svg";

constexpr OrdenMain Separador(LugarOrden lugar) {
    return {lugar, nullptr, nullptr, nullptr, nullptr, nullptr, true};
}

const std::array Ordenes{
    OrdenMain{Archivo, "Nuevo1", "&Nuevo", Nuevo, &TFormMain::Nuevo1Click, nullptr, true},
    OrdenMain{Archivo, "Abrir1", "&Abrir", Abrir, &TFormMain::Abrir1Click, nullptr, true},
    OrdenMain{Archivo, "GuardarProblema", "&Guardar problema", GuardarProblema,
              &TFormMain::GuardarProblemaClick, nullptr, true},
    OrdenMain{Archivo, "GuardarProblemaComo", "Guardar problema &como...", nullptr,
              &TFormMain::GuardarProblemaComoClick, nullptr, true},
    // Only a calculation enables the two solution items.
    OrdenMain{Archivo, "GuardarSolucion", "Guardar &solución", GuardarSolucion,
              &TFormMain::GuardarSolucionClick, nullptr, false},
    OrdenMain{Archivo, "GuardarSolucionComo", "Guardar solucion c&omo...", nullptr,
              &TFormMain::GuardarSolucionComoClick, nullptr, false},
    Separador(Archivo),
    OrdenMain{Archivo, "Configurarimpresora1", "Con&figurar impresora", nullptr,
              &TFormMain::Configurarimpresora1Click, nullptr, true},
    OrdenMain{Archivo, "Imprimir1", "&Imprimir", Imprimir, &TFormMain::Imprimir1Click, nullptr,
              true},
    Separador(Archivo),
    OrdenMain{Archivo, "Salir1", "&Salir", Salir, &TFormMain::Salir1Click, nullptr, true},
    Separador(Archivo),
    OrdenMain{Archivo, "VistaPreviaInforme1", "Vista pre&via del informe...", nullptr,
              &TFormMain::VistaPreviaInforme1Click, nullptr, true},
    OrdenMain{Archivo, "ExportarInformePdf1", "Exportar informe a P&DF...", nullptr,
              &TFormMain::ExportarInformePdf1Click, nullptr, true},
    Separador(Archivo),
    OrdenMain{Archivo, "ExportarHoja1", "Exportar a &hoja de cálculo...", nullptr,
              &TFormMain::ExportarHoja1Click, nullptr, true},
    OrdenMain{Archivo, "ImportarNecesidades1", "Im&portar necesidades...", nullptr,
              &TFormMain::ImportarNecesidades1Click, nullptr, true},

    // The grid's own keys, shown beside the items; the items themselves have no shortcut.
    OrdenMain{Editar, "Copiar1", "&Copiar\tCtrl+C", nullptr, &TFormMain::Copiar1Click, nullptr,
              true},
    OrdenMain{Editar, "Pegar1", "&Pegar\tCtrl+V", nullptr, &TFormMain::Pegar1Click, nullptr, true},
    OrdenMain{Editar, "Borrar1", "&Borrar\tSupr", nullptr, &TFormMain::Borrar1Click, nullptr, true},

    OrdenMain{Calcular, "CalculoManual1", "Cálculo &manual", CalculoManual,
              &TFormMain::CalculoManual1Click, nullptr, true},
    OrdenMain{Calcular, "LotificacinSeleccionada1", "Lotificación &seleccionada", Calculo,
              &TFormMain::LotificacinSeleccionada1Click, nullptr, true},
    OrdenMain{Calcular, "PlanOptimo1", "Plan ó&ptimo (Wagner-Whitin)", nullptr,
              &TFormMain::PlanOptimo1Click, nullptr, true},

    OrdenMain{Analisis, "CompararMetodos1", "&Comparar métodos", nullptr,
              &TFormMain::CompararMetodos1Click, nullptr, true},
    OrdenMain{Analisis, "GraficoPlan1", "&Gráfico del plan", nullptr, &TFormMain::GraficoPlan1Click,
              nullptr, true},
    OrdenMain{Analisis, "ExplicacionCalculo1", "&Explicación del cálculo", nullptr,
              &TFormMain::ExplicacionCalculo1Click, nullptr, true},
    Separador(Analisis),
    OrdenMain{Analisis, "RestablecerDisposicion1", "&Restablecer disposición", nullptr,
              &TFormMain::RestablecerDisposicion1Click, nullptr, true},

    OrdenMain{Experimentos, "Modulodeexperimentos1", "Módulo de experimentos ...", nullptr,
              &TFormMain::Modulodeexperimentos1Click, nullptr, true},

    OrdenMain{Ayuda, "Acercade1", "Acerca de...", AcercaDe, &TFormMain::Acercade1Click, nullptr,
              true},

    OrdenMain{Proyecto, "NuevoProyecto1", "&Nuevo proyecto", nullptr,
              &TFormMain::NuevoProyecto1Click, nullptr, true},
    OrdenMain{Proyecto, "AbrirProyecto1", "&Abrir proyecto...", nullptr,
              &TFormMain::AbrirProyecto1Click, nullptr, true},
    OrdenMain{Proyecto, "AbrirEjemplo1", "Abrir &ejemplo", nullptr, &TFormMain::AbrirEjemplo1Click,
              nullptr, true},
    OrdenMain{Proyecto, "GuardarProyecto1", "&Guardar proyecto", nullptr,
              &TFormMain::GuardarProyecto1Click, nullptr, true},
    OrdenMain{Proyecto, "GuardarProyectoComo1", "Guardar proyecto &como...", nullptr,
              &TFormMain::GuardarProyectoComo1Click, nullptr, true},
    OrdenMain{Proyecto, "ProyectoDesdeProblema1", "Proyecto desde el &problema actual", nullptr,
              &TFormMain::ProyectoDesdeProblema1Click, nullptr, true},

    OrdenMain{Ejercicio, "ComprobarSolucion1", "&Comprobar mi solución", nullptr,
              &TFormMain::ComprobarSolucion1Click, nullptr, true},
    OrdenMain{Ejercicio, "MostrarSolucion1", "&Mostrar la solución de las celdas erróneas", nullptr,
              &TFormMain::MostrarSolucion1Click, nullptr, true, true},
    OrdenMain{Ejercicio, "Tolerancia1", "&Tolerancia...", nullptr, &TFormMain::Tolerancia1Click,
              nullptr, true},
    Separador(Ejercicio),
    OrdenMain{Ejercicio, "GenerarHojaEjercicios1", "&Generar hoja de ejercicios...", nullptr,
              &TFormMain::GenerarHojaEjercicios1Click, nullptr, true},

    OrdenMain{BarraHerramientas, "ToolButtonNuevo", "Nuevo", Nuevo, &TFormMain::Nuevo1Click,
              "Nuevo problema", true},
    OrdenMain{BarraHerramientas, "ToolButtonAbrir", "Abrir", Abrir, &TFormMain::Abrir1Click,
              "Abrir problema", true},
    OrdenMain{BarraHerramientas, "ToolButtonGuardar", "G.Problema", GuardarProblema,
              &TFormMain::GuardarProblemaClick, "Guardar problema", true},
    OrdenMain{BarraHerramientas, "ToolButtonGuardarSolucion", "G.Solucion", GuardarSolucion,
              &TFormMain::GuardarSolucionClick, "Guardar solución", true},
    Separador(BarraHerramientas),
    OrdenMain{BarraHerramientas, "ToolButtonCalculoManual", "Cal.Manual", CalculoManual,
              &TFormMain::CalculoManual1Click, "Cálculo manual", true},
    OrdenMain{BarraHerramientas, "ToolButtonCalcular", "Calcular", Calculo,
              &TFormMain::LotificacinSeleccionada1Click, "Calcular lotificación seleccionada",
              true},
    Separador(BarraHerramientas),
    OrdenMain{BarraHerramientas, "ToolButtonImprimir", "Imprimir", Imprimir,
              &TFormMain::Imprimir1Click, "Imprimir", true},
    Separador(BarraHerramientas),
    OrdenMain{BarraHerramientas, "ToolButtonSalir", "Salir", Salir, &TFormMain::Salir1Click,
              "Salir", true},
};

} // namespace

std::span<const MenuMain> MenusMain() {
    return Menus;
}

std::span<const OrdenMain> OrdenesMain() {
    return Ordenes;
}
