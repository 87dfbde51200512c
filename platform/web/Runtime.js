// Prepended to the program's script. The program's main gives the browser its turn every
// frame through ASYNCIFY, so it returns long after the runtime called it; the runtime
// therefore calls it as an asynchronous function and, once it returns, exits with its
// status as a desktop process would: the exit handlers run and the page hears the status.
Module['noInitialRun'] = true;
Module['onRuntimeInitialized'] = function () {
  Module['page'].started();
  ccall('main', 'number', ['number', 'number'], [0, 0], { async: true }).then(
    function (status) {
      // No yielding from here on: exit handlers must run to the end in one go.
      Module['exiting'] = true;
      try {
        exit(status);
      } catch (e) {
        handleException(e);
      }
    },
    handleException);
};
