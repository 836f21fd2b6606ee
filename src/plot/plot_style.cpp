// Colours, strokes and fonts of the route plot.
#include "plot/plot_style.h"

namespace scn::plot {

std::string_view plot_style_sheet() {
  return R"css(
text{font-family:'DejaVu Sans',Verdana,Arial,Helvetica,sans-serif;font-size:11px;fill:#222}
.end{text-anchor:end}.mid{text-anchor:middle}
.title{font-size:24px;font-weight:bold;fill:#1a2a3a}
.sub{font-size:13px;fill:#555}.status{font-size:13px;fill:#b00000;font-weight:bold}
.ptitle{font-size:15px;font-weight:bold;fill:#1a2a3a}
.note{font-size:11px;fill:#777;font-style:italic;paint-order:stroke;stroke:#fff;stroke-width:3px;stroke-linejoin:round}
.panel{fill:#fbfaf6;stroke:#d8d4c8;stroke-width:1}
.chart{fill:#fff;stroke:#b8b8b8;stroke-width:1}
.grid{stroke:#e6e6e6;stroke-width:1}.mgrid{stroke:#f3f3f3;stroke-width:1}
.zero{stroke:#9a9a9a;stroke-width:1}
.ax{stroke:#777;stroke-width:1;fill:none}
.tick{font-size:10px;fill:#555}.axt{font-size:11.5px;fill:#333;font-weight:bold}
.unit{font-size:10px;fill:#666}
.lane{stroke:#e2e2e2;stroke-width:1}
.ground{fill:#e9dcc0;stroke:none}.hline{fill:none;stroke:#7a5528;stroke-width:1.8}
.tshade{fill:#5a5a5a;fill-opacity:.12}
.peak{fill:#7a5528;stroke:#fff;stroke-width:1}.peakl{font-size:11px;fill:#5a3d18;font-weight:bold;paint-order:stroke;stroke:#fff;stroke-width:3px;stroke-linejoin:round}
.up{fill:#d9534f;fill-opacity:.75}.down{fill:#3e7cc2;fill-opacity:.75}
.right{fill:#8a63b8;fill-opacity:.75}.left{fill:#2aa198;fill-opacity:.75}
.stepline{fill:none;stroke:#333;stroke-width:.6;stroke-opacity:.6}
.speed{fill:none;stroke:#1d4f9c;stroke-width:2;stroke-linejoin:round}
.slowband{fill:#f08c1a;fill-opacity:.14}.slow{stroke:#e0700a;stroke-width:4}
.notch{fill:none;stroke:#e0700a;stroke-width:1.2;stroke-dasharray:3 2}
.slowlabel{font-size:10px;fill:#b45400;font-weight:bold}
.sline{stroke:#7f8c99;stroke-width:.8;stroke-opacity:.55}
.sline.pass{stroke-dasharray:3 3}
.diagram{stroke:#555;stroke-width:2}
.stn{fill:#fff;stroke:#1a2a3a;stroke-width:1.6}.stn.pass{fill:#ddd;stroke:#888;stroke-width:1}
.sname{font-size:11px;fill:#1a2a3a;font-weight:bold}.sname.pass{fill:#888;font-weight:normal}
.time{fill:#1d4f9c;font-weight:normal}
.leader{stroke:#999;stroke-width:.7}
.tunnel{fill:#4a4a4a}.board{fill:#9a9a9a}.board.tb{fill:#4a4a4a}.warn{fill:#f08c1a}
.sig1{fill:#e8a400;stroke:#8a6200;stroke-width:.5}.sig2{fill:#d21f1f;stroke:#7a0000;stroke-width:.5}
.ptrack{fill:none;stroke:#2a3440;stroke-width:2.4;stroke-linejoin:round;stroke-linecap:round}
.ptunnel{fill:none;stroke:#4a4a4a;stroke-width:8;stroke-linecap:butt}
.ptunnelcore{fill:none;stroke:#fff;stroke-width:1.4;stroke-dasharray:4 3}
.pslow{fill:none;stroke:#f08c1a;stroke-width:9;stroke-opacity:.8;stroke-linecap:round}
.psig1{fill:#e8a400;stroke:#fff;stroke-width:.6}.psig2{fill:#d21f1f;stroke:#fff;stroke-width:.6}
.pname{font-size:11.5px;font-weight:bold;fill:#1a2a3a}.pname.pass{fill:#777;font-weight:normal}
.kmtick{stroke:#2a3440;stroke-width:1.4}.kml{font-size:9.5px;fill:#666}
.sbb{fill:#333}.sbw{fill:#fff;stroke:#333;stroke-width:1}
.axarrow{stroke:#777;stroke-width:1.2}
.legend{font-size:11px;fill:#333}
)css";
}

}  // namespace scn::plot
