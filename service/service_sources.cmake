# The service windows: maintenance, counters, logo, fiscal memory, firmware.
list(APPEND TESMAR_SERVICE_SOURCES
  firmware_read_dialog.cpp
  fiscal_memory_dialog.cpp
  logo_dialog.cpp
  maintenance_dialog.cpp
  service_counters_dialog.cpp
  transfer_window_host.cpp
)
