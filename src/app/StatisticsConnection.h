#pragma once
// The second connection of the program, to the statistics and settings database
// KQ_ESTADISTICAS on the suite's server, and the command time-out kept there.

namespace app {

// (Re)opens gDBEstadisticas on gDB's server with the fixed login of that database, without any
// message when it cannot, and sets startup.TimeOut from its "TimeOut" key: 45 unless the key holds a
// positive whole number of seconds (halves round to even). A missing or zero key is written back
// as 0 (group "BaseDeDatos"), which keeps standing for 45. Start-up calls it right after the
// shared connection opened, and again after each re-open.
void ConectarEstadisticas();

} // namespace app
