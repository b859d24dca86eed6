// What the lot-sizing methods decide, heard as they decide it. Every method routine is a template
// on its observer, which it calls with each decision as an event: a small struct declared beside
// the routine that takes it. ObservadorNulo hears nothing and costs nothing (it is empty, inline
// and passed by value, so a routine instantiated with it is the routine alone);
// ObservadorLotificacion is what a recorder outside the engine derives from, and the routines are
// instantiated with a reference to it.
#pragma once

#include <typeinfo>

struct ObservadorNulo {
    template <class Suceso> void operator()(const Suceso&) const {}
};

// An event as a recorder hears it: it asks for the types of event it knows.
class SucesoOido {
public:
    template <class Suceso>
    explicit SucesoOido(const Suceso& suceso) : tipo_(&typeid(Suceso)), suceso_(&suceso) {}

    // The event, if it is of that type; null otherwise.
    template <class Suceso> const Suceso* Como() const {
        return *tipo_ == typeid(Suceso) ? static_cast<const Suceso*>(suceso_) : nullptr;
    }

private:
    const std::type_info* tipo_;
    const void* suceso_;
};

class ObservadorLotificacion {
public:
    virtual ~ObservadorLotificacion() = default;
    template <class Suceso> void operator()(const Suceso& suceso) { Oir(SucesoOido(suceso)); }
    // Every event the routine reports, in order.
    virtual void Oir(const SucesoOido& suceso) = 0;
};

// The observer type a recording caller instantiates the routines with.
using ObservadorRegistro = ObservadorLotificacion&;
