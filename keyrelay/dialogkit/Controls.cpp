#include "Controls.h"

#include <vector>

namespace keyrelay::ui {

std::string Window::Text(int maxChars) const
{
    if (maxChars <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(maxChars) + 1, '\0');
    const int length = ::GetWindowTextA(m_handle, buffer.data(), maxChars + 1);
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace keyrelay::ui
