#pragma once

// The encoding of an exported image.
enum class ImageFormat { png, jpeg };
