#include "optimiser/optimiser_band.h"

#include "monitor/memory_figures.h"

namespace tamarak {

void show_amounts(Controls& band, std::uint64_t total_phys) {
  constexpr std::pair<int, double> kAmounts[] = {{Label17, 0.2}, {Label16, 0.4}, {Label15, 0.6}, {Label18, 0.8}};
  for (const auto& [label, share] : kAmounts) band.set_text(label, amount_text(total_phys, share));
}

}  // namespace tamarak
