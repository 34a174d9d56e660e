#pragma once
// The lookups' two links with the start-up module, which cannot call the lookups itself (the
// lookups stand on it): its lookup step runs PrepararConsultas with the connection string and
// the mask file it computed, and the list window's "Nuevo" button starts programs through its
// MenuExes. The program makes these links once, before the start-up procedure runs.

namespace lookup {

void EnlazarConInicio();

} // namespace lookup
