# The registrar configuration windows and their rules.
list(APPEND TESMAR_CONFIG_SOURCES
  config_rules.cpp
  config_support.cpp
  date_time_dialog.cpp
  decimal_point_dialog.cpp
  factory_number_dialog.cpp
  fiscal_params_dialog.cpp
  fiscalization_dialog.cpp
  header_text_dialog.cpp
  operators_dialog.cpp
  passwords_dialog.cpp
  payment_types_dialog.cpp
  registrar_params_dialog.cpp
)
