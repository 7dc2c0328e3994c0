# Inversion of TEM soundings: few-layer (Levenberg–Marquardt) and smooth
# many-layer (Occam), built into the modelling library.
set(EM1D_INVERSION_HEADERS
  InversionControl.h InversionError.h OccamInversion.h TemInversion.h TemObservations.h)
target_sources(tarnex_em1d PRIVATE
  LogForward.cpp LogForward.h OccamInversion.cpp TemInversion.cpp TemObservations.cpp
  ${EM1D_INVERSION_HEADERS})
install(FILES ${EM1D_INVERSION_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnex/em1d COMPONENT dev)
