<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of Qt's standard dialogs that Qt's own Spanish translation leaves in English or gets
     wrong. The sources are Qt's, to the character, in Qt's contexts. -->
<TS version="2.1" language="es_ES">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Acceso directo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir al directorio superior</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Architect D</source>
        <translation>Arquitecto D</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Personalizado (%1in x %2in)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Derecha a izquierda, arriba a abajo</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Páginas mal indicadas</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 no está bien escrito. Separe las páginas y los intervalos con «,», escriba cada intervalo con «-» y compruebe que los intervalos no se solapan.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflictos en la impresión a doble cara</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Hay conflictos en la configuración de la impresión a doble cara. ¿Desea corregirlos?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflictos en la configuración de página</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Hay conflictos en las opciones de configuración de página. ¿Desea corregirlos?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflictos en las opciones avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Hay conflictos en algunas opciones avanzadas. ¿Desea corregirlos?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Hay opciones en conflicto. Corríjalas.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Escriba páginas o intervalos separados por comas. Un intervalo son dos números separados por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encuadernación por el lado largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encuadernación por el lado corto</translation>
    </message>
</context>
</TS>
