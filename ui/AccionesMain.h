// The main window's commands as one table: every menu item and tool button with its name,
// caption, image, handler and hint, in the order they appear.
#pragma once

#include <span>

class TFormMain;

using ManejadorMain = void (TFormMain::*)();

// Where an entry goes: one of the menus, or the tool bar.
enum class LugarOrden {
    Archivo,
    Editar,
    Calcular,
    Analisis,
    Experimentos,
    Ayuda,
    Proyecto,
    Ejercicio,
    BarraHerramientas
};

struct MenuMain {
    LugarOrden lugar;
    const char* nombre; // objectName
    const char* texto;  // caption with its accelerator
};

struct OrdenMain {
    LugarOrden lugar;
    const char* nombre; // objectName; nullptr for a separator
    const char* texto;  // caption; a TAB before a key that does the same in the grid
    const char* imagen; // resource path, nullptr for none
    ManejadorMain manejador;
    const char* pista;     // tool tip, nullptr for none
    bool habilitada;       // enabled at start
    bool marcable = false; // a check item, unchecked at start
};

// The menus of the menu bar, left to right.
std::span<const MenuMain> MenusMain();

// Every menu item, separator and tool button, in the order they are added.
std::span<const OrdenMain> OrdenesMain();
