#pragma once
// What the results section shows of one project: the results of its last run and
// the few component values the per-m² row depends on. Filled from the project record
// by the project window.

#include <array>

struct DonneesResultats {
    std::array<float, 13> Fecs{};  // monthly coverage [%], months 1..12
    std::array<float, 13> Becs{};  // monthly needs [kWh]
    std::array<float, 13> Prod{};  // monthly solar productivity [kWh]
    float Fecs_an = 0;             // annual coverage [%]
    float Becs_an = 0;             // annual needs [kWh]
    float Productivite_par_m2 = 0; // annual productivity per m² of collector
    float surface_totale = 0;      // collectors' total area [m²]
    float Ac = 0;                  // collector coefficient Ac of the collector component
    bool ChauffeEau = false;       // the system is a one-piece solar water heater
};
