// Placeholder until the windowing layer lands.
namespace ui {}
