#pragma once

class QWindow;

// The window comes back where and as large as it was left, as long as that
// is still on a screen; the store keeps it under "WindowGeometry".
namespace WindowGeometry {

void restore(QWindow &window);
void remember(const QWindow &window);

} // namespace WindowGeometry
