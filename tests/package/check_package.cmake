# Runs as a script (cmake -P): installs BUILD_DIR into WORK_DIR/prefix, then checks the consumer
# project's view of the package: COMPONENTS core, COMPONENTS qt (found exactly when the Qt backend
# was built), an unknown component, and a program built and run against the installed libraries.
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed:\n${out}")
  endif()
endfunction()

run("Install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
set(flags "")
if(SANITIZE)
  set(flags "-fsanitize=${SANITIZE}")
endif()
run("Configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer
  -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
  -DCMAKE_CXX_FLAGS=${flags} -DCMAKE_EXE_LINKER_FLAGS=${flags} -DCMAKE_PREFIX_PATH=${prefix}
  -DEXPECT_QT=${HAS_QT})
run("Building the consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run("Running the consumer" ${WORK_DIR}/consumer/kivdock_consumer)
