// Starts "scenario-tool lsp" for line and train descriptions.
'use strict';

const vscode = require('vscode');
const { LanguageClient, TransportKind } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const command = vscode.workspace.getConfiguration('scenarioDescriptions').get('toolPath') ||
      'scenario-tool';
  const server = { command, args: ['lsp'], transport: TransportKind.stdio };
  client = new LanguageClient(
      'scenarioDescriptions', 'Scenario descriptions', server,
      {
        documentSelector: [{ scheme: 'file', language: 'scenario-description' }],
        // The server reads the partner file of a pair from disk when it is
        // not open, so saved files must be seen as they change.
        synchronize: {
          fileEvents: vscode.workspace.createFileSystemWatcher('**/{*_linea.txt,*-.txt}'),
        },
      });
  context.subscriptions.push(client);
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
