// MainUnit
