#pragma once
// The header the upward include points at.
