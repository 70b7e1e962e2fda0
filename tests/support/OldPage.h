#pragma once

// A page of the kind that coloured Internet Explorer's scrollbars, with the seven colours
// #3366CC, #FFEE00, #AAFFAA, #8844FF, #225522, #110022 and #F0A0A0 in the notations of the day.
inline constexpr char OldPage[]
    = "<HTML><HEAD><STYLE><!--\nBODY { SCROLLBAR-FACE-COLOR: #3366CC; "
      "scrollbar-arrow-color: rgb(255, 238, 0);\n scrollbar-highlight-color: #AFA; "
      "scrollbar-3dlight-color: #8844ff !important; scrollbar-shadow-color: #225522;\n"
      " scrollbar-darkshadow-color: #110022; scrollbar-track-color: #F0A0A0 }\n"
      "TEXTAREA { scrollbar-face-color: red }\n--></STYLE></HEAD><BODY></BODY></HTML>\n";
