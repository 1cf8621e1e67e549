#pragma once

// The design names classic Windows faces; map them once at start-up onto
// installed faces with the same metrics.
void RegisterFontSubstitutions();
